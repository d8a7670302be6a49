#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "cmm/api.h"
#include "standin/measurement.h"

// The stand-in's proxies, one per interface of the measurement application. Each one asks the
// shared fault plan first, so a test can make any single call fail or answer something else.
namespace standin {

using StatePtr = std::shared_ptr<MeasurementState>;

class MeasurementPoint : public cmm::PointObject {
  public:
    MeasurementPoint(StatePtr state, points::Point3 point);
    cmm::Value coordinate(cmm::Axis axis) override;
    void setCoordinate(cmm::Axis axis, double value) override;

  private:
    StatePtr state_;
    points::Point3 point_;
};

// Feature data and command refer to their command by position, as a live part program does;
// a command removed from the state afterwards makes their calls fail.
class MeasurementFeatureData : public cmm::FeatureData {
  public:
    MeasurementFeatureData(StatePtr state, std::size_t command);
    cmm::Value pointCount() override;
    cmm::Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b, std::int32_t c,
                            const std::string& text, std::int32_t d) override;

  private:
    StatePtr state_;
    std::size_t command_;
};

class MeasurementCommand : public cmm::Command {
  public:
    MeasurementCommand(StatePtr state, std::size_t command);
    cmm::Value id() override;
    cmm::Value value() override;
    cmm::Value featureData() override;

  private:
    StatePtr state_;
    std::size_t command_;
};

class MeasurementCommands : public cmm::CommandCollection {
  public:
    explicit MeasurementCommands(StatePtr state);
    cmm::Value count() override;
    cmm::Value item(std::int16_t& position) override;
    cmm::Value commandById(const std::string& id) override;

  private:
    StatePtr state_;
};

class MeasurementOldBasic : public cmm::OldBasic {
  public:
    explicit MeasurementOldBasic(StatePtr state);
    cmm::Value getProbeRadius() override;

  private:
    StatePtr state_;
};

class MeasurementPartProgram : public cmm::PartProgram {
  public:
    explicit MeasurementPartProgram(StatePtr state);
    cmm::Value oldBasic() override;
    cmm::Value commands() override;

  private:
    StatePtr state_;
};

class MeasurementMachine : public cmm::Machine {
  public:
    explicit MeasurementMachine(StatePtr state);
    cmm::Value name() override;

  private:
    StatePtr state_;
};

class MeasurementApplication : public cmm::Application {
  public:
    explicit MeasurementApplication(StatePtr state);
    cmm::Value machine(std::int16_t number) override;
    cmm::Value partProgram() override;

  private:
    StatePtr state_;
};

}  // namespace standin
