#pragma once

#include <ole2.h>
#include <windows.h>

#include <array>
#include <exception>
#include <vector>
#include <memory>
#include <string>
#include <utility>

#include "automation/value.h"
#include "automation/member.h"
#include "standin/com/arguments.h"
#include "standin/com/server_control.h"

namespace standin::com {

// One automation object of a stand-in server. Its function table holds IUnknown and IDispatch
// first, then the direct members of the object's kind at the positions their rows give them.
// Positions an object does not have answer E_NOTIMPL.
class ServerObject {
  public:
    static constexpr int kTableSize = 64;
    using Table = std::array<const void*, kTableSize>;

    // `table` comes from functionTable and outlives the object.
    explicit ServerObject(std::shared_ptr<ServerControl> control,
                          const Table& table = plainTable());
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

    // The object behind the interface a direct member's slot was called on.
    static ServerObject& behind(void* face) { return *static_cast<Pointee*>(face)->self; }
    // Runs a direct member: busy rejection first, a refused call as E_FAIL.
    template <class Body>
    HRESULT direct(Body&& body) {
        if (rejectAsBusy()) return control_->rejection;
        holdIfAsked();
        ++control_->calls.directs;
        HRESULT result = E_FAIL;
        try {
            result = body();
        } catch (const std::exception&) {
        }
        if (control_->afterCall) control_->afterCall();
        return result;
    }
    void result(const automation::Value& value, VARIANT* out) const;
    const std::shared_ptr<ServerControl>& control() const { return control_; }

    // A function table with IUnknown and IDispatch, and each direct member's slot at its
    // position.
    static Table functionTable(
        const std::vector<std::pair<const automation::Member*, const void*>>& directMembers);
    static const Table& plainTable();

  protected:
    // Interface identifiers beyond IUnknown and IDispatch that the object answers to.
    virtual bool answersTo(const IID& iid) const;
    // Member names compare without regard to case; names arrive lower-cased.
    virtual DISPID idOfName(const std::string& lowerName) const;
    virtual void invoke(DISPID id, const Arguments& args, VARIANT* result) = 0;

    // Whether `member` is called `lowerName`, whatever the case of its name in its row.
    static bool isNamed(const std::string& lowerName, const automation::Member& member);

  private:
    // What an interface pointer of the object points at: its function table, then the object.
    struct Pointee {
        const void* const* table;
        ServerObject* self;
    };
    friend struct Slots;

    bool rejectAsBusy();
    void holdIfAsked();
    HRESULT queryInterface(const IID& iid, void** out);
    HRESULT getIdsOfNames(LPOLESTR* names, UINT count, DISPID* ids);
    HRESULT invokeChecked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, UINT* badArgument);

    Pointee pointee_;
    LONG references_ = 0;
    std::shared_ptr<ServerControl> control_;
};

}  // namespace standin::com
