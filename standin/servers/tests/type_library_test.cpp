// The stand-ins' type library against the member tables: the marshaller lays out the interfaces
// across processes by the library, the program and the stand-ins by the tables.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "cad/api.h"
#include "cmm/api.h"
#include "com/com_ptr.h"
#include "com/hresult_failure.h"
#include "com/members.h"
#include "standin/servers/control_members.h"
#include "windows/wide_text.h"

namespace {

using ::com::Access;
using ::com::ComPtr;
using ::com::Interface;
using ::com::Member;

namespace control_members = standin::servers::control_members;

template <class Row, std::size_t... Sizes>
std::vector<const Row*> concatenated(const std::array<const Row*, Sizes>&... tables) {
    std::vector<const Row*> rows;
    (rows.insert(rows.end(), tables.begin(), tables.end()), ...);
    return rows;
}

const std::vector<const Interface*> kInterfaces = concatenated(
    cmm::members::kInterfaces, cad::members::kInterfaces, std::array{&control_members::kInterface});
const std::vector<const Member*> kMembers =
    concatenated(cmm::members::kMembers, cad::members::kMembers, control_members::kMembers);

// The members the library must declare: the direct ones, which the marshaller lays out, and the
// control object's, which it only describes. The applications' other members go through
// IDispatch alone.
bool declaredInLibrary(const Member& member) {
    return member.isDirect() || member.face == &control_members::kInterface;
}

std::string nameOf(ITypeInfo& info, MEMBERID id) {
    BSTR name = nullptr;
    if (FAILED(info.GetDocumentation(id, &name, nullptr, nullptr, nullptr)) || !name) return {};
    std::string text = win::toUtf8({name, SysStringLen(name)});
    SysFreeString(name);
    return text;
}

const Interface* tableInterface(const std::string& name) {
    for (const Interface* face : kInterfaces)
        if (face->name == name) return face;
    return nullptr;
}

const Member* declaredMember(const Interface& face, const std::string& name) {
    for (const Member* member : kMembers)
        if (member->face == &face && declaredInLibrary(*member) && member->name == name)
            return member;
    return nullptr;
}

Access accessOf(INVOKEKIND kind) {
    if (kind == INVOKE_PROPERTYGET) return Access::Get;
    if (kind == INVOKE_PROPERTYPUT) return Access::Put;
    return Access::Method;
}

// The interface half of a dual interface; an interface as it is.
ComPtr<ITypeInfo> vtableHalf(ITypeInfo& info) {
    HREFTYPE half = 0;
    ComPtr<ITypeInfo> found;
    if (SUCCEEDED(info.GetRefTypeOfImplType(-1, &half)))
        info.GetRefTypeInfo(half, found.receive());
    else
        found = ComPtr<ITypeInfo>::share(&info);
    return found;
}

std::string baseName(ITypeInfo& info) {
    HREFTYPE base = 0;
    ComPtr<ITypeInfo> baseInfo;
    if (FAILED(info.GetRefTypeOfImplType(0, &base)) ||
        FAILED(info.GetRefTypeInfo(base, baseInfo.receive())))
        return {};
    return nameOf(*baseInfo.get(), MEMBERID_NIL);
}

// Checks one interface's identifier, base and functions; adds the members it declares.
void checkInterface(ITypeInfo& info, const TYPEATTR& attributes, const Interface& face,
                    std::set<const Member*>& declared) {
    EXPECT_TRUE(IsEqualGUID(attributes.guid, ::com::iidOf(face)))
        << ::com::guidText(attributes.guid);
    EXPECT_EQ(baseName(info), face.base ? std::string(face.base->name) : "IDispatch");
    for (UINT i = 0; i < attributes.cFuncs; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_TRUE(SUCCEEDED(info.GetFuncDesc(i, &function)));
        const std::string name = nameOf(info, function->memid);
        const int position = function->oVft / static_cast<int>(sizeof(void*));
        const INVOKEKIND kind = function->invkind;
        const MEMBERID id = function->memid;
        info.ReleaseFuncDesc(function);
        SCOPED_TRACE(name);
        // Placeholders only fill the positions before a member, and say which.
        if (name.rfind("Placeholder", 0) == 0) {
            EXPECT_EQ(name, "Placeholder" + std::to_string(position));
            continue;
        }
        const Member* member = declaredMember(face, name);
        ASSERT_NE(member, nullptr) << "not a member of " << face.name << " in its table";
        if (member->isDirect()) {
            EXPECT_EQ(position, member->position);
            EXPECT_EQ(accessOf(kind), member->access);
        } else {
            EXPECT_EQ(id, member->id);
        }
        declared.insert(member);
    }
}

TEST(TypeLibrary, DeclaresTheInterfacesAndMembersOfTheMemberTables) {
    const std::wstring image = win::toWide(CMM_POINTS_SERVER_DIR "/measurement_standin.exe");
    ComPtr<ITypeLib> library;
    ASSERT_TRUE(SUCCEEDED(LoadTypeLibEx(image.c_str(), REGKIND_NONE, library.receive())));

    std::set<const Interface*> described;
    std::set<const Member*> declared;
    for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        ASSERT_TRUE(SUCCEEDED(library->GetTypeInfo(i, info.receive())));
        const std::string name = nameOf(*info.get(), MEMBERID_NIL);
        SCOPED_TRACE(name);
        const Interface* face = tableInterface(name);
        ASSERT_NE(face, nullptr) << "an interface no member table lists";
        ComPtr<ITypeInfo> half = vtableHalf(*info.get());
        ASSERT_TRUE(half.get());
        TYPEATTR* attributes = nullptr;
        ASSERT_TRUE(SUCCEEDED(half->GetTypeAttr(&attributes)));
        checkInterface(*half.get(), *attributes, *face, declared);
        half->ReleaseTypeAttr(attributes);
        described.insert(face);
    }

    for (const Interface* face : kInterfaces)
        EXPECT_TRUE(described.count(face)) << face->name << " is missing from the library";
    for (const Member* member : kMembers)
        if (declaredInLibrary(*member)) {
            EXPECT_TRUE(declared.count(member)) << member->name << " is missing";
        }
}

}  // namespace
