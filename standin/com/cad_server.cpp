#include "standin/com/cad_server.h"

#include "cad/api.h"
#include "com/hresult_failure.h"
#include "points/program_failure.h"
#include "standin/com/class_ids.h"
#include "standin/com/prog_id.h"
#include "standin/com/server_object.h"

namespace standin::com {

CadServer::CadServer(std::shared_ptr<cad::Connector> connector, bool running)
    : connector_(std::move(connector)),
      control_(std::make_shared<ServerControl>()),
      served_(kCadServerClass) {
    registerProgId(::cad::members::kProgId, kCadServerClass);
    progIdWritten_ = true;
    if (running) start();
}

CadServer::CadServer(std::shared_ptr<cad::Connector> connector, const CLSID& served)
    : connector_(std::move(connector)),
      control_(std::make_shared<ServerControl>()),
      served_(served) {
    start();
}

CadServer::~CadServer() {
    stop();
    if (progIdWritten_) unregisterProgId(::cad::members::kProgId);
}

void CadServer::start() {
    if (running_) return;
    VARIANT application;
    ServerObject::toVariant(connector_->attach(), &application, control_);
    if (application.vt != VT_DISPATCH || !application.pdispVal) {
        VariantClear(&application);
        throw points::ProgramFailure("the CAD stand-in gave no application object");
    }
    const HRESULT result =
        RegisterActiveObject(application.pdispVal, served_, ACTIVEOBJECT_STRONG, &cookie_);
    VariantClear(&application);  // the table holds its own reference
    ::com::check(result, "RegisterActiveObject");
    running_ = true;
}

void CadServer::stop() {
    if (!running_) return;
    RevokeActiveObject(cookie_, nullptr);
    running_ = false;
}

}  // namespace standin::com
