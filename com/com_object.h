#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com/dispatch.h"
#include "com/member_ids.h"
#include "com/members.h"

namespace com {

// What every proxy of an outside object holds: the object's automation interface with the link
// it was reached through, and the interface it was checked as. A proxy handed back to the server
// (an entity to check against) is found again through its automation interface. Each reference
// goes, and each interface is asked for, as a call to the application: with the busy dialogs
// while it waits, and not at all once the operator cancelled a call on the link.
class ComObject {
  public:
    explicit ComObject(Dispatch object) : object_(std::move(object)) {}
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject();
    const Dispatch& dispatch() const { return object_; }
    const std::shared_ptr<Link>& link() const { return object_.link(); }

    // Takes the object as the interface `kind` that `member`'s result must be, kept for its
    // direct members; an object that does not answer to it is a failure naming the member.
    void checkAs(const Interface& kind, const std::string& member);

    // The object's interface that holds the direct `member`: the checked interface where it
    // derives from the member's (a derived interface holds its bases' members at the same
    // positions), otherwise asked for once and kept. A failure names the member when the object
    // does not answer to it.
    IUnknown* face(const Member& member) const;

  private:
    ComPtr<IUnknown> query(const IID& iid, const std::string& member,
                           const std::string& whose) const;

    Dispatch object_;
    const Interface* kind_ = nullptr;
    ComPtr<IUnknown> checked_;
    mutable std::vector<std::pair<IID, ComPtr<IUnknown>>> asked_;
};

}  // namespace com
