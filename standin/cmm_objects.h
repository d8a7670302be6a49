#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "cmm/api.h"
#include "standin/cmm.h"

// The stand-in's proxies, one per interface of the measurement application. Each one asks the
// shared fault plan first, so a test can make any single call fail or answer something else.
namespace standin {

using StatePtr = std::shared_ptr<CmmState>;

class CmmPoint : public cmm::PointObject {
  public:
    CmmPoint(StatePtr state, points::Point3 point);
    cmm::Value coordinate(cmm::Axis axis) override;
    void setCoordinate(cmm::Axis axis, double value) override;

  private:
    StatePtr state_;
    points::Point3 point_;
};

// Feature data and command refer to their command by position, as a live part program does;
// a command removed from the state afterwards makes their calls fail.
class CmmFeatureData : public cmm::FeatureData {
  public:
    CmmFeatureData(StatePtr state, std::size_t command);
    cmm::Value pointCount() override;
    cmm::Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b, std::int32_t c,
                            const std::string& text, std::int32_t d) override;

  private:
    StatePtr state_;
    std::size_t command_;
};

class CmmCommand : public cmm::Command {
  public:
    CmmCommand(StatePtr state, std::size_t command);
    cmm::Value id() override;
    cmm::Value value() override;
    cmm::Value featureData() override;

  private:
    StatePtr state_;
    std::size_t command_;
};

class CmmCommands : public cmm::CommandCollection {
  public:
    explicit CmmCommands(StatePtr state);
    cmm::Value count() override;
    cmm::Value item(std::int16_t& position) override;
    cmm::Value commandById(const std::string& id) override;

  private:
    StatePtr state_;
};

class CmmOldBasic : public cmm::OldBasic {
  public:
    explicit CmmOldBasic(StatePtr state);
    cmm::Value getProbeRadius() override;

  private:
    StatePtr state_;
};

class CmmPartProgram : public cmm::PartProgram {
  public:
    explicit CmmPartProgram(StatePtr state);
    cmm::Value oldBasic() override;
    cmm::Value commands() override;

  private:
    StatePtr state_;
};

class CmmMachine : public cmm::Machine {
  public:
    explicit CmmMachine(StatePtr state);
    cmm::Value name() override;

  private:
    StatePtr state_;
};

class CmmApplication : public cmm::Application {
  public:
    explicit CmmApplication(StatePtr state);
    cmm::Value machine(std::int16_t number) override;
    cmm::Value partProgram() override;

  private:
    StatePtr state_;
};

}  // namespace standin
