#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cmm/api.h"
#include "points/point_line.h"
#include "standin/faults.h"

// The embedded stand-in of the measurement application: a machine, a probe and a part program
// of commands with measured points, reached through the cmm/ interface.
namespace standin {

enum class CmmOperation {
    Create,
    Machine,
    MachineName,
    PartProgram,
    OldBasic,
    ProbeRadius,
    Commands,
    Count,
    Item,
    Id,
    CommandById,
    CommandValue,
    FeatureData,
    PointCount,
    FeaturePoint,
    ReadCoordinate,
    WriteCoordinate,
    End  // not an operation: the number of them
};

// Each operation's name, as a stand-in server's controls take it, in the enumeration's order.
inline constexpr auto kCmmOperationNames = std::to_array<std::string_view>(
    {"Create", "Machine", "MachineName", "PartProgram", "OldBasic", "ProbeRadius", "Commands",
     "Count", "Item", "Id", "CommandById", "CommandValue", "FeatureData", "PointCount",
     "FeaturePoint", "ReadCoordinate", "WriteCoordinate"});
static_assert(kCmmOperationNames.size() == operationCount<CmmOperation>());

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
    FaultPlan<CmmOperation> faults;
};

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
