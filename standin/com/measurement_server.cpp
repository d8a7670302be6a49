#include "standin/com/measurement_server.h"

#include "automation/com/failure.h"
#include "automation/com/interface_ids.h"
#include "standin/com/class_ids.h"
#include "standin/com/prog_id.h"
#include "standin/com/server_object.h"

namespace standin::com {

// Makes a new application object for every creation, as the real application's class does.
class MeasurementServer::Factory final : public IClassFactory {
  public:
    Factory(std::shared_ptr<cmm::Connector> connector, std::shared_ptr<ServerControl> control)
        : connector_(std::move(connector)), control_(std::move(control)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // owned by the server
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            VARIANT created;
            ServerObject::toVariant(connector_->create(), &created, control_);
            if (created.vt != VT_DISPATCH || !created.pdispVal) {
                VariantClear(&created);
                return CO_E_SERVER_EXEC_FAILURE;
            }
            const HRESULT result = created.pdispVal->QueryInterface(iid, out);
            VariantClear(&created);
            return result;
        } catch (const std::exception&) {
            return CO_E_SERVER_EXEC_FAILURE;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  private:
    std::shared_ptr<cmm::Connector> connector_;
    std::shared_ptr<ServerControl> control_;
};

MeasurementServer::MeasurementServer(std::shared_ptr<cmm::Connector> connector)
    : MeasurementServer(std::move(connector), kMeasurementServerClass) {
    registerProgId(automation::com::ids::kCmmProgId, kMeasurementServerClass);
    progIdWritten_ = true;
}

MeasurementServer::MeasurementServer(std::shared_ptr<cmm::Connector> connector, const CLSID& served)
    : control_(std::make_shared<ServerControl>()),
      factory_(std::make_unique<Factory>(std::move(connector), control_)) {
    automation::com::check(CoRegisterClassObject(served, factory_.get(), CLSCTX_LOCAL_SERVER,
                                                 REGCLS_MULTIPLEUSE, &cookie_),
                           "CoRegisterClassObject");
}

MeasurementServer::~MeasurementServer() {
    CoRevokeClassObject(cookie_);
    if (progIdWritten_) unregisterProgId(automation::com::ids::kCmmProgId);
}

}  // namespace standin::com
