#pragma once

#include <ole2.h>
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>

#include "com/members.h"

namespace com {

// Dispatch identifiers of the members called by name, as one kind of object answered them.
class MemberIds {
  public:
    std::optional<DISPID> find(const std::string& name) const {
        auto it = ids_.find(name);
        return it == ids_.end() ? std::nullopt : std::optional<DISPID>(it->second);
    }
    void remember(const std::string& name, DISPID id) { ids_[name] = id; }

  private:
    std::map<std::string, DISPID> ids_;
};

// One link to an outside application, from creating or attaching it until the program lets go
// of the last object reached through it. Every object of one kind (every command, every model
// space) is the same class of the application with the same dispatch identifiers, so a name is
// looked up once for a kind of object in a link, not again for each new object of that kind; a
// new link looks them up anew. Kept by every object of the link, so never outlived by them.
class Link {
  public:
    explicit Link(const OutsideApplication* application = nullptr) : application_(application) {}
    // Null for a link to no application the program knows by name.
    const OutsideApplication* application() const { return application_; }
    // After the operator's Cancel the application is taken as stuck: it is not called again
    // through this link, not even to release its objects.
    bool abandoned() const { return abandoned_; }
    void abandon() { abandoned_ = true; }

    std::shared_ptr<MemberIds> idsOf(std::type_index kind) {
        auto& ids = kinds_[kind];
        if (!ids) ids = std::make_shared<MemberIds>();
        return ids;
    }

  private:
    const OutsideApplication* application_;
    bool abandoned_ = false;
    std::map<std::type_index, std::shared_ptr<MemberIds>> kinds_;
};

}  // namespace com
