#pragma once

#include <ole2.h>
#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "automation/member.h"
#include "automation/value.h"
#include "standin/com/arguments.h"
#include "standin/com/face.h"
#include "standin/com/server_control.h"

namespace standin::com {

// One automation object of a stand-in server over an object of an embedded stand-in, answering as
// the face of its kind says.
class ServerObject {
  public:
    // `face` outlives the object.
    ServerObject(automation::ObjectPtr object, const Face& face,
                 std::shared_ptr<ServerControl> control);
    ~ServerObject();
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

    const automation::ObjectPtr& embedded() const { return object_; }

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
    static FunctionTable functionTable(
        const std::vector<std::pair<const automation::Member*, const void*>>& directMembers);

  private:
    // What an interface pointer of the object points at: its function table, then the object.
    struct Pointee {
        const void* const* table;
        ServerObject* self;
    };
    friend struct Slots;

    // Interface identifiers beyond IUnknown and IDispatch that the object answers to.
    bool answersTo(const IID& iid) const;
    // The identifier of the member at `index` of the face: its row's, or for a member called by
    // name without one, one of the server's own choosing.
    DISPID idOf(std::size_t index) const;
    // Member names compare without regard to case; names arrive lower-cased.
    DISPID idOfName(const std::string& lowerName) const;
    // The member `id` calls, and the offset into its row's identifiers; a put goes to the row
    // that is put where two share identifiers.
    const BoundMember* find(DISPID id, bool put, int& offset) const;
    bool rejectAsBusy();
    void holdIfAsked();
    HRESULT queryInterface(const IID& iid, void** out);
    HRESULT getIdsOfNames(LPOLESTR* names, UINT count, DISPID* ids);
    HRESULT invokeChecked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, UINT* badArgument);

    Pointee pointee_;
    automation::ObjectPtr object_;
    const Face& face_;
    LONG references_ = 0;
    std::shared_ptr<ServerControl> control_;
};

}  // namespace standin::com
