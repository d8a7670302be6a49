#include "com/cmm_connector.h"

#include "com/busy_retry.h"
#include "com/cmm_application.h"
#include "com/failure_cause.h"
#include "windows/wide_text.h"

namespace com {

cmm::Value CmmConnector::create() {
    const std::string member = std::string("create \"") + cmm::members::kProgId + "\"";
    CLSID clsid{};
    check(CLSIDFromProgID(win::toWide(cmm::members::kProgId).c_str(), &clsid), member);
    auto link =
        std::make_shared<Link>(&cmm::members::kApplication);  // a new link at every creation
    ComPtr<IDispatch> object;
    const HRESULT created = BusyRetry::run(link.get(), nullptr, [&] {
        return CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch, object.receiveVoid());
    });
    if (FAILED(created)) fail(created, member, {}, activationHint(created, clsid));
    return objectResult<CmmApplication>(Variant::dispatch(object.get()),
                                        cmm::members::kCreate.resultFace, member, link);
}

}  // namespace com
