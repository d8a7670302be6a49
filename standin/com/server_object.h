#pragma once

#include <ole2.h>
#include <windows.h>

#include <array>
#include <exception>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "automation/value.h"
#include "com/member_table.h"
#include "standin/com/arguments.h"
#include "standin/com/server_control.h"

namespace standin::com {

// One automation object of a stand-in server over an object of an embedded stand-in. Its
// function table is laid out by hand: IUnknown and IDispatch first, then the direct members of
// the object's kind at the positions the applications' member tables give them. Positions an
// object does not have answer E_NOTIMPL.
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

  protected:
    // Interface identifiers beyond IUnknown and IDispatch that the object answers to.
    virtual bool answersTo(const IID& iid) const;
    // Member names compare without regard to case; names arrive lower-cased.
    virtual DISPID idOfName(const std::string& lowerName) const;
    virtual void invoke(DISPID id, const Arguments& args, VARIANT* result) = 0;

    // Whether `member` is called `lowerName`, whatever the case of its name in the table.
    static bool isNamed(const std::string& lowerName, const ::com::Member& member);
    // The identifier of whichever of `members` is called `lowerName`.
    static DISPID idAmong(const std::string& lowerName,
                          std::initializer_list<const ::com::Member*> members);

    // A function table with IUnknown and IDispatch, and each direct member's slot at its
    // position.
    static Table functionTable(
        std::initializer_list<std::pair<const ::com::Member*, const void*>> directMembers);
    static const Table& plainTable();
    // The object of kind `Object` behind the interface a direct member's slot was called on.
    template <class Object>
    static Object& behind(void* face) {
        return static_cast<Object&>(*static_cast<Face*>(face)->self);
    }

    void result(const automation::Value& value, VARIANT* out) const;
    const std::shared_ptr<ServerControl>& control() const { return control_; }
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

  private:
    struct Face {
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

    Face face_;
    LONG references_ = 0;
    std::shared_ptr<ServerControl> control_;
};

}  // namespace standin::com
