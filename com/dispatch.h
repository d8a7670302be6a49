#pragma once

#include <ole2.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "com/member_ids.h"
#include "com/members.h"
#include "com/variant.h"

namespace com {

// Late-bound calls on one automation object, by dispatch identifier or by name. Arguments are
// given in the order the member declares them; IDispatch wants them reversed, which happens here.
// "Retry later" is retried as the busy handling decides; any other failure throws
// points::ProgramFailure naming the member.
class Dispatch {
  public:
    Dispatch() = default;
    // Names are looked up once and kept in `ids`, which objects of one kind may share. `link` is
    // the link to the application its calls go to.
    explicit Dispatch(ComPtr<IDispatch> object,
                      std::shared_ptr<MemberIds> ids = std::make_shared<MemberIds>(),
                      std::shared_ptr<Link> link = std::make_shared<Link>())
        : object_(std::move(object)), ids_(std::move(ids)), link_(std::move(link)) {}

    IDispatch* get() const { return object_.get(); }
    explicit operator bool() const { return static_cast<bool>(object_); }
    const std::shared_ptr<Link>& link() const { return link_; }
    // Releases the object as its link allows (BusyRetry::release).
    void letGo();

    Variant call(DISPID id, const std::string& member, std::vector<Variant> args = {}) const;
    Variant get(DISPID id, const std::string& member) const;

    Variant callByName(const std::string& name, std::vector<Variant> args = {}) const;
    Variant getByName(const std::string& name) const;

    // By a member row: by name or by dispatch identifier, as a method, property get or property
    // put, as the row says. `offset` picks one of consecutive identifiers (a coordinate's axis).
    Variant call(const Member& member, std::vector<Variant> args = {}, int offset = 0) const;

    DISPID idOf(const std::string& name) const;

  private:
    Variant invoke(DISPID id, WORD flags, const std::string& member,
                   std::vector<Variant>& args) const;

    ComPtr<IDispatch> object_;
    std::shared_ptr<MemberIds> ids_ = std::make_shared<MemberIds>();
    std::shared_ptr<Link> link_ = std::make_shared<Link>();
};

}  // namespace com
