#pragma once

#include <cstdint>
#include <memory>

#include "standin/cad.h"

namespace standin {

// What every drawing object of the stand-in knows, whatever interface it answers to;
// CheckInterference reaches the other entity through it.
class CadDrawingObject {
  public:
    CadDrawingObject(CadStatePtr state, EntityPtr entity)
        : state_(std::move(state)), entity_(std::move(entity)) {}
    virtual ~CadDrawingObject() = default;
    const CadStatePtr& state() const { return state_; }
    const EntityPtr& entity() const { return entity_; }

  protected:
    // An erased entity refuses every request, as it does in a real drawing.
    DrawnEntity& live() const;
    void discardEntity();
    void setMarkCodeOfEntity(std::int32_t code);
    void finishEntity();
    cad::Value checkInterferenceOfEntity(const std::shared_ptr<cad::Entity>& other,
                                         bool createSolid);

  private:
    CadStatePtr state_;
    EntityPtr entity_;
};

template <class Interface>
class CadEntity : public Interface, public CadDrawingObject {
  public:
    using CadDrawingObject::CadDrawingObject;
    void discard() override { discardEntity(); }
    void setMarkCode(std::int32_t code) override { setMarkCodeOfEntity(code); }
    void finish() override { finishEntity(); }
    cad::Value checkInterference(const std::shared_ptr<cad::Entity>& other,
                                 bool createSolid) override {
        return checkInterferenceOfEntity(other, createSolid);
    }
};

using CadCircle = CadEntity<cad::Circle>;
using CadSpline = CadEntity<cad::Spline>;

// The object of the interface an entity of this kind answers to.
cad::Value entityObject(const CadStatePtr& state, const EntityPtr& entity);

}  // namespace standin
