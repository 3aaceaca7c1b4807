// A parsed element path: "/" (from the root), "//" (any descendant), steps separated by "/", each a name
// or "*" with at most one predicate: [N] (N-th matching sibling), [@name] (has the attribute) or [name]
// (has the child element). A path that cannot be read matches nothing.
#pragma once

#include "BXTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

class BXXmlPath {
public:
    enum class Predicate { None, Position, Attribute, Child };

    struct Step {
        std::u16string_view m_name; // empty for "*"
        bool m_any = false;
        Predicate m_predicate = Predicate::None;
        uint32_t m_position = 0;             // Predicate::Position, from 1
        std::u16string_view m_predicateName; // Predicate::Attribute and Predicate::Child
    };

    // The path text must outlive the object: steps point into it.
    explicit BXXmlPath(std::u16string_view path);

    bool IsValid() const { return m_valid; }
    bool IsAbsolute() const { return m_absolute; }
    bool IsDescendant() const { return m_descendant; }
    const std::vector<Step>& GetSteps() const { return m_steps; }

private:
    bool m_valid = false;
    bool m_absolute = false;
    bool m_descendant = false;
    std::vector<Step> m_steps;
};
