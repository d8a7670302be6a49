#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/api.h"
#include "standin/cad.h"

// The objects the CAD stand-in hands out. Each is a thin proxy over the shared state, so that an
// object the program still holds sees every later change, as a real automation object would.
namespace standin::cad_proxy {

using State = std::shared_ptr<CadState>;

// Counts the call, applies a planned fault, and refuses calls once the application has gone.
std::optional<cad::Value> enter(CadState& state, CadOperation op);

class ApplicationProxy : public cad::Application {
  public:
    explicit ApplicationProxy(State state) : state_(std::move(state)) {}
    void setVisible(bool visible) override;
    cad::Value activeDocument() override;

  private:
    State state_;
};

class DocumentProxy : public cad::Document {
  public:
    explicit DocumentProxy(State state) : state_(std::move(state)) {}
    cad::Value modelSpace() override;
    cad::Value groups() override;

  private:
    State state_;
};

class GroupsProxy : public cad::Groups {
  public:
    explicit GroupsProxy(State state) : state_(std::move(state)) {}
    cad::Value item(const std::string& name) override;

  private:
    State state_;
};

class GroupProxy : public cad::Group {
  public:
    GroupProxy(State state, std::vector<EntityPtr> members)
        : state_(std::move(state)), members_(std::move(members)) {}
    cad::Value entityAt(std::int16_t index) override;

  private:
    State state_;
    std::vector<EntityPtr> members_;
};

class ModelSpaceProxy : public cad::ModelSpace {
  public:
    explicit ModelSpaceProxy(State state) : state_(std::move(state)) {}
    cad::Value addSphere(const points::Point3& centre, double radius) override;
    cad::Value addCircle(const points::Point3& centre, double radius) override;
    cad::Value addSpline(const std::vector<double>& points, const points::Point3& start,
                         const points::Point3& end) override;

  private:
    cad::Value add(DrawnEntity entity);
    State state_;
};

// What every entity proxy knows, whatever interface it answers to; CheckInterference reaches the
// other entity through it.
class EntityHandle {
  public:
    EntityHandle(State state, EntityPtr entity)
        : state_(std::move(state)), entity_(std::move(entity)) {}
    virtual ~EntityHandle() = default;
    const State& state() const { return state_; }
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
    State state_;
    EntityPtr entity_;
};

template <class Interface>
class EntityProxy : public Interface, public EntityHandle {
  public:
    using EntityHandle::EntityHandle;
    void discard() override { discardEntity(); }
    void setMarkCode(std::int32_t code) override { setMarkCodeOfEntity(code); }
    void finish() override { finishEntity(); }
    cad::Value checkInterference(const std::shared_ptr<cad::Entity>& other,
                                 bool createSolid) override {
        return checkInterferenceOfEntity(other, createSolid);
    }
};

class SolidProxy : public EntityProxy<cad::Solid> {
  public:
    using EntityProxy::EntityProxy;
    cad::Value measure() override;
};

using CircleProxy = EntityProxy<cad::Circle>;
using SplineProxy = EntityProxy<cad::Spline>;

// The proxy of the interface an entity of this kind answers to.
cad::Value entityProxy(const State& state, const EntityPtr& entity);

}  // namespace standin::cad_proxy
