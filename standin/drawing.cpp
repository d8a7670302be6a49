#include "standin/drawing.h"

#include <algorithm>
#include <cctype>

namespace standin {
namespace {

std::string foldCase(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return folded;
}

}  // namespace

std::vector<EntityPtr> Drawing::entitiesOf(EntityKind kind) const {
    std::vector<EntityPtr> found;
    for (const auto& entity : entities_)
        if (entity->kind == kind && !entity->discarded) found.push_back(entity);
    return found;
}

EntityPtr Drawing::add(DrawnEntity entity) {
    entities_.push_back(std::make_shared<DrawnEntity>(std::move(entity)));
    return entities_.back();
}

void Drawing::clearAdded() {
    std::erase_if(entities_, [](const EntityPtr& e) { return e->kind != EntityKind::Solid; });
}

void Drawing::defineGroup(const std::string& name, std::vector<EntityPtr> members) {
    groups_[foldCase(name)] = std::move(members);
}

const std::vector<EntityPtr>* Drawing::group(const std::string& name) const {
    auto it = groups_.find(foldCase(name));
    return it == groups_.end() ? nullptr : &it->second;
}

void Drawing::observe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

void Drawing::notifyChanged() const {
    for (const auto& observer : observers_) observer();
}

}  // namespace standin
