#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com/dispatch.h"
#include "com/member_ids.h"
#include "com/member_table.h"

namespace com {

// The interface an object result was checked as, kept for calling its direct members.
struct CheckedFace {
    const Interface* kind = nullptr;
    ComPtr<IUnknown> face;
};

// What every proxy of an outside object holds: the object's automation interface, the
// interface it was checked as, and the link it was reached through. A proxy handed back to the
// server (an entity to check against) is found again through its automation interface.
class ComObject {
  public:
    explicit ComObject(Dispatch object, CheckedFace checked = {},
                       std::shared_ptr<Link> link = std::make_shared<Link>())
        : object_(std::move(object)), checked_(std::move(checked)), link_(std::move(link)) {}
    virtual ~ComObject() = default;
    const Dispatch& dispatch() const { return object_; }
    const std::shared_ptr<Link>& link() const { return link_; }

    // The object's interface that holds the direct `member`: the checked interface where it
    // derives from the member's (a derived interface holds its bases' members at the same
    // positions), otherwise asked for once and kept. A failure names the member when the object
    // does not answer to it.
    IUnknown* face(const Member& member) const;

  private:
    Dispatch object_;
    CheckedFace checked_;
    mutable std::vector<std::pair<IID, ComPtr<IUnknown>>> asked_;
    std::shared_ptr<Link> link_;
};

}  // namespace com
