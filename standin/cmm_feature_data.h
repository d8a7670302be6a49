#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "standin/cmm.h"

namespace standin {

// Feature data and command refer to their command by position, as a live part program does;
// a command removed from the state afterwards makes their calls fail.
class CmmFeatureData : public cmm::FeatureData {
  public:
    CmmFeatureData(CmmStatePtr state, std::size_t command);
    cmm::Value pointCount() override;
    cmm::Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b, std::int32_t c,
                            const std::string& text, std::int32_t d) override;

  private:
    CmmStatePtr state_;
    std::size_t command_;
};

}  // namespace standin
