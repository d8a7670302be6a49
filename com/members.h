#pragma once

#include <ole2.h>
#include <windows.h>

#include "automation/member.h"

// The member rows of cad/ and cmm/ as COM takes them.
namespace com {

using automation::Access;
using automation::Interface;
using automation::Kind;
using automation::Member;
using automation::OutsideApplication;
using automation::Reach;

static_assert(sizeof(automation::Guid) == sizeof(GUID));
static_assert(automation::kNoId == DISPID_UNKNOWN && automation::kDefaultId == DISPID_VALUE);

constexpr GUID toGuid(const automation::Guid& id) {
    return {id.data1,
            id.data2,
            id.data3,
            {id.data4[0], id.data4[1], id.data4[2], id.data4[3], id.data4[4], id.data4[5],
             id.data4[6], id.data4[7]}};
}
constexpr GUID iidOf(const Interface& face) { return toGuid(face.iid); }

}  // namespace com
