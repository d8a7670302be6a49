#pragma once

#include <ole2.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "com/member_ids.h"
#include "com/member_table.h"
#include "com/variant.h"

namespace com {

// Late-bound calls on one automation object, by dispatch identifier or by name. Arguments are
// given in the order the member declares them; IDispatch wants them reversed, which happens here.
// "Retry later" is retried as the busy handling decides; any other failure throws
// points::ProgramFailure naming the member.
class Dispatch {
  public:
    Dispatch() = default;
    // Names are looked up once and kept in `ids`, which objects of one kind may share.
    // `application` is the one its calls go to, for the busy dialogs.
    explicit Dispatch(ComPtr<IDispatch> object,
                      std::shared_ptr<MemberIds> ids = std::make_shared<MemberIds>(),
                      const OutsideApplication* application = nullptr)
        : object_(std::move(object)), ids_(std::move(ids)), application_(application) {}

    IDispatch* get() const { return object_.get(); }
    explicit operator bool() const { return static_cast<bool>(object_); }

    Variant call(DISPID id, const std::string& member, std::vector<Variant> args = {}) const;
    Variant get(DISPID id, const std::string& member) const;
    void put(DISPID id, const std::string& member, Variant value) const;

    Variant callByName(const std::string& name, std::vector<Variant> args = {}) const;
    Variant getByName(const std::string& name) const;
    void putByName(const std::string& name, Variant value) const;

    // By a member table's row: by name or by dispatch identifier, as the row says.
    Variant call(const Member& member, std::vector<Variant> args = {}) const;
    Variant get(const Member& member) const;
    void put(const Member& member, Variant value) const;

    DISPID idOf(const std::string& name) const;

  private:
    DISPID idOf(const Member& member) const;
    Variant invoke(DISPID id, WORD flags, const std::string& member,
                   std::vector<Variant>& args) const;

    ComPtr<IDispatch> object_;
    std::shared_ptr<MemberIds> ids_ = std::make_shared<MemberIds>();
    const OutsideApplication* application_ = nullptr;
};

}  // namespace com
