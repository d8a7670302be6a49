#include "com/cad_connector.h"

#include "com/busy_retry.h"
#include "com/cad_application.h"
#include "com/failure_cause.h"
#include "com/result.h"
#include "windows/wide_text.h"

namespace com {

cad::Value CadConnector::attach() {
    const std::string member = std::string("attach \"") + cad::members::kProgId + "\"";
    CLSID clsid{};
    check(CLSIDFromProgID(win::toWide(cad::members::kProgId).c_str(), &clsid), member);
    auto link =
        std::make_shared<Link>(&cad::members::kApplication);  // a new link at every attachment
    ComPtr<IUnknown> running;
    const HRESULT found = BusyRetry::run(
        link.get(), nullptr, [&] { return GetActiveObject(clsid, nullptr, running.receive()); });
    if (FAILED(found)) fail(found, member, {}, activationHint(found, clsid));
    ComPtr<IDispatch> object = automationOf(running.get(), link.get());
    BusyRetry::release(link.get(), running);
    if (link->abandoned()) check(RPC_E_CALL_CANCELED, member);
    if (!object)
        throw points::ProgramFailure(member + " failed: the running object is not automatable");
    Dispatch application(std::move(object), link->idsOf(typeid(CadApplication)), link);
    return automation::Value(std::make_shared<CadApplication>(std::move(application)));
}

}  // namespace com
