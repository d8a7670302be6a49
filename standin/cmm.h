#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cmm/api.h"
#include "points/point_line.h"
#include "standin/faults.h"

// The embedded stand-in of the measurement application: a machine, a probe and a part program
// of commands with measured points, reached through the cmm/ interface. Its objects, one per
// interface of the application, ask the shared fault plan first, so that a test can make any
// single call fail or answer something else.
namespace standin {

struct PartCommand {
    std::string id;
    std::string value;  // the command's text; empty for a command with nothing to read
    std::vector<points::Point3> points;
};

struct CmmState {
    bool installed = true;  // false: the application cannot be created
    std::string machineName;
    double probeRadius = 0.0;
    std::vector<PartCommand> commands;  // a part program with no commands is allowed
    FaultPlan faults{cmm::members::kMembers};
};
using CmmStatePtr = std::shared_ptr<CmmState>;

// The command at `index` of the part program; a command removed from it since fails the call.
const PartCommand& commandAt(const CmmState& state, std::size_t index);

// Creates the stand-in application over the shared state. Point objects are copies: writing a
// coordinate changes the object only, not the part program.
class CmmConnector : public cmm::Connector {
  public:
    explicit CmmConnector(std::shared_ptr<CmmState> state);
    cmm::Value create() override;

  private:
    std::shared_ptr<CmmState> state_;
};

// The demo part program, measured on the demo drawing's part.
CmmState demoCmm();

}  // namespace standin
