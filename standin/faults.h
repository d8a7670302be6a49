#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "automation/member.h"
#include "automation/value.h"

namespace standin {

// How a stand-in misbehaves for one member, so that every failure the program handles can be
// provoked: refuse the call, or answer a value of the test's choosing (a wrong kind, an
// overflowing count), after a number of calls that still succeed. Members are the rows of
// cad::members and cmm::members; one the application's list does not hold is refused at once,
// since none of its objects would answer it through COM.
class FaultPlan {
  public:
    using Member = automation::Member;

    explicit FaultPlan(std::span<const Member* const> rows) : rows_(rows) {}

    void failOn(const Member& op, std::size_t afterCalls = 0) {
        faults_[&listed(op)] = {afterCalls, {}};
    }
    void answerOn(const Member& op, automation::Value answer, std::size_t afterCalls = 0) {
        faults_[&listed(op)] = {afterCalls, std::move(answer)};
    }
    void clear() { faults_.clear(); }

    // Counts the call; throws ProgramFailure when it is to fail, returns the answer when one
    // replaces the real result.
    std::optional<automation::Value> call(const Member& op) {
        const std::size_t made = calls_[&listed(op)]++;
        auto it = faults_.find(&op);
        if (it == faults_.end() || made < it->second.afterCalls) return std::nullopt;
        if (!it->second.answer) throw points::ProgramFailure("the stand-in refused the call");
        return it->second.answer;
    }

    std::size_t calls(const Member& op) const {
        auto it = calls_.find(&op);
        return it == calls_.end() ? 0 : it->second;
    }
    std::size_t totalCalls() const {
        std::size_t total = 0;
        for (const auto& [op, n] : calls_) total += n;
        return total;
    }
    void resetCalls() { calls_.clear(); }

  private:
    const Member& listed(const Member& op) const {
        if (std::find(rows_.begin(), rows_.end(), &op) == rows_.end())
            throw std::logic_error(std::string(op.name) +
                                   " is not in its application's member lists (api.h)");
        return op;
    }

    struct Fault {
        std::size_t afterCalls = 0;
        std::optional<automation::Value> answer;
    };
    std::span<const Member* const> rows_;
    std::map<const Member*, Fault> faults_;
    std::map<const Member*, std::size_t> calls_;
};

}  // namespace standin
