#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/form_engine.h"
#include "com/apartment.h"
#include "com/busy_retry.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "standin/com/cad_server.h"
#include "standin/com/cmm_server.h"
#include "standin/testing/press_fixture.h"

namespace comtest {

// The window in memory driven through the COM client, with both embedded stand-ins served as
// COM servers in this process: the same state the embedded-stand-in tests use, a second face.
class ComPressFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        measurement.emplace(std::make_shared<standin::CmmConnector>(f.cmm));
        drawing.emplace(std::make_shared<standin::CadConnector>(f.cad));
    }
    void TearDown() override {
        drawing.reset();
        measurement.reset();
        ::com::BusyRetry::setBound(::com::BusyRetry::kDefaultBound);
    }

    void startUp() { engine.load(); }
    void press() { engine.press(); }
    // The point list of the press through COM.
    std::vector<std::string> lines() const { return standin::testing::linesOf(engine.points()); }

    ::com::Apartment apartment;
    standin::testing::PressFixture f;
    std::optional<standin::com::CmmServer> measurement;
    std::optional<standin::com::CadServer> drawing;
    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
    app::FormEngine engine{f.form, f.shell, cmm, cad};
};

}  // namespace comtest
