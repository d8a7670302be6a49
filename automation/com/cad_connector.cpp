#include "automation/com/cad_connector.h"

#include "automation/com/busy_retry.h"
#include "automation/com/cad_application.h"
#include "automation/com/text.h"

namespace automation::com {

cad::Value CadConnector::attach() {
    const std::string member = std::string("attach \"") + ids::kCadProgId + "\"";
    CLSID clsid{};
    check(CLSIDFromProgID(toWide(ids::kCadProgId).c_str(), &clsid), member,
          "the application is not registered");
    ComPtr<IUnknown> running;
    check(BusyRetry::run([&] { return GetActiveObject(clsid, nullptr, running.receive()); }),
          member, "the application is not running");
    ComPtr<IDispatch> object = running.query<IDispatch>(IID_IDispatch);
    if (!object) throw points::Failure(member + " failed: the running object is not automatable");
    auto link = std::make_shared<Link>();  // a new link at every attachment
    Dispatch application(std::move(object), link->idsOf(typeid(CadApplication)));
    return Value(std::make_shared<CadApplication>(std::move(application), CheckedFace{}, link));
}

}  // namespace automation::com
