#include "standin/measurement.h"

namespace standin {

MeasurementState demoMeasurement() {
    MeasurementState state;
    state.machineName = "Demo CMM 7.10";
    state.probeRadius = 1.0;
    return state;
}

}  // namespace standin
