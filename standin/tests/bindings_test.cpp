// Every member row the program calls is answered by exactly one member function of the stand-ins'
// COM faces, so that a row added without its binding fails here, not only across processes.
#include "standin/bindings.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

using automation::Member;

template <class Bindings>
std::map<const Member*, int> boundRows() {
    std::map<const Member*, int> bound;
    std::apply([&](auto... binding) { (++bound[&decltype(binding)::member], ...); }, Bindings{});
    return bound;
}

TEST(Bindings, EveryRowIsAnsweredOnceAndEveryAnswerIsARow) {
    auto bound = boundRows<standin::AllMembers>();
    for (const auto& rows :
         {std::vector(cmm::members::kMembers.begin(), cmm::members::kMembers.end()),
          std::vector(cad::members::kMembers.begin(), cad::members::kMembers.end())})
        for (const Member* row : rows) {
            // The application itself is reached by its ProgID, not through an object.
            const int expected = row->reach == automation::Reach::Connect ? 0 : 1;
            EXPECT_EQ(bound[row], expected) << row->name;
            bound.erase(row);
        }
    for (const auto& [row, count] : bound) ADD_FAILURE() << row->name << " is bound but not listed";
}

}  // namespace
