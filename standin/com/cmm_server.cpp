#include "standin/com/cmm_server.h"

#include "cmm/api.h"
#include "com/hresult_failure.h"
#include "standin/com/class_ids.h"
#include "standin/com/prog_id.h"
#include "standin/com/server_object.h"

namespace standin::com {

// Makes a new application object for every creation, as the real application's class does.
class CmmServer::Factory final : public IClassFactory {
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

CmmServer::CmmServer(std::shared_ptr<cmm::Connector> connector)
    : CmmServer(std::move(connector), kCmmServerClass) {
    registerProgId(::cmm::members::kProgId, kCmmServerClass);
    progIdWritten_ = true;
}

CmmServer::CmmServer(std::shared_ptr<cmm::Connector> connector, const CLSID& served)
    : control_(std::make_shared<ServerControl>()),
      factory_(std::make_unique<Factory>(std::move(connector), control_)) {
    ::com::check(CoRegisterClassObject(served, factory_.get(), CLSCTX_LOCAL_SERVER,
                                       REGCLS_MULTIPLEUSE, &cookie_),
                 "CoRegisterClassObject");
}

CmmServer::~CmmServer() {
    CoRevokeClassObject(cookie_);
    if (progIdWritten_) unregisterProgId(::cmm::members::kProgId);
}

}  // namespace standin::com
