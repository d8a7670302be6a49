#pragma once

#include <ole2.h>
#include <windows.h>

#include <memory>
#include <string>

#include "automation/value.h"
#include "standin/com/arguments.h"
#include "standin/com/server_control.h"

namespace standin::com {

// One automation object of a stand-in server over an object of an embedded stand-in. Its
// function table is laid out by hand, so that the direct members sit at the positions the real
// applications give them: 0-2 IUnknown, 3-6 IDispatch, 11 Discard, 20 EntityAt, 21 MarkCode
// (put), 41 Finish, 57 Measure (get). Positions an object does not have answer E_NOTIMPL.
class ServerObject {
  public:
    static constexpr int kTableSize = 64;

    explicit ServerObject(std::shared_ptr<ServerControl> control);
    virtual ~ServerObject();
    ServerObject(const ServerObject&) = delete;
    ServerObject& operator=(const ServerObject&) = delete;

    // The object's automation interface, with a reference counted for the caller.
    IDispatch* share();
    // The stand-in object behind an interface this server handed out; null for any other.
    static ServerObject* fromInterface(IUnknown* object);
    // The server object for an embedded stand-in's result, by its kind; the caller owns it.
    static IDispatch* wrap(const automation::ObjectPtr& object,
                           const std::shared_ptr<ServerControl>& control);
    // An embedded stand-in's result as a VARIANT; a null object stays an empty object reference.
    static void toVariant(const automation::Value& value, VARIANT* out,
                          const std::shared_ptr<ServerControl>& control);

    virtual automation::ObjectPtr embedded() const = 0;

  protected:
    // Interface identifiers beyond IUnknown and IDispatch that the object answers to.
    virtual bool answersTo(const IID& iid) const;
    // Member names compare without regard to case; names arrive lower-cased.
    virtual DISPID idOfName(const std::string& lowerName) const;
    virtual void invoke(DISPID id, const Arguments& args, VARIANT* result) = 0;

    virtual HRESULT discard() { return E_NOTIMPL; }
    virtual HRESULT entityAt(const VARIANT&, IDispatch**) { return E_NOTIMPL; }
    virtual HRESULT setMarkCode(LONG) { return E_NOTIMPL; }
    virtual HRESULT finish() { return E_NOTIMPL; }
    virtual HRESULT measure(double*) { return E_NOTIMPL; }

    void result(const automation::Value& value, VARIANT* out) const;
    const std::shared_ptr<ServerControl>& control() const { return control_; }
    // Runs a direct member: busy rejection first, a refused call as E_FAIL.
    template <class Body>
    HRESULT direct(Body&& body);

  private:
    struct Face {
        const void* const* table;
        ServerObject* self;
    };
    friend struct Slots;

    bool rejectAsBusy();
    HRESULT queryInterface(const IID& iid, void** out);
    HRESULT getIdsOfNames(LPOLESTR* names, UINT count, DISPID* ids);
    HRESULT invokeChecked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, UINT* badArgument);

    Face face_;
    LONG references_ = 0;
    std::shared_ptr<ServerControl> control_;
};

}  // namespace standin::com
