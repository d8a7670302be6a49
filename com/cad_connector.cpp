#include "com/cad_connector.h"

#include "com/busy_retry.h"
#include "com/cad_application.h"
#include "windows/wide_text.h"

namespace com {

cad::Value CadConnector::attach() {
    const std::string member = std::string("attach \"") + cad_members::kProgId + "\"";
    CLSID clsid{};
    check(CLSIDFromProgID(win::toWide(cad_members::kProgId).c_str(), &clsid), member,
          "the application is not registered");
    ComPtr<IUnknown> running;
    check(BusyRetry::run(&cad_members::kApplication,
                         [&] { return GetActiveObject(clsid, nullptr, running.receive()); }),
          member, "the application is not running");
    ComPtr<IDispatch> object = running.query<IDispatch>(IID_IDispatch);
    if (!object)
        throw points::ProgramFailure(member + " failed: the running object is not automatable");
    auto link =
        std::make_shared<Link>(&cad_members::kApplication);  // a new link at every attachment
    Dispatch application(std::move(object), link->idsOf(typeid(CadApplication)),
                         link->application());
    return automation::Value(
        std::make_shared<CadApplication>(std::move(application), CheckedFace{}, link));
}

}  // namespace com
