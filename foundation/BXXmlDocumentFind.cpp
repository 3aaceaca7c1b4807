// The path search of BXXmlDocument: the first element in document order that matches every step.
// Iterative with an explicit stack, so neither deep trees nor long paths touch the call stack.
#include "BXXmlDocument.h"

#include "BXXmlPath.h"
#include "BXXmlText.h"

bool BXXmlDocument::NameTest(const BXXmlPath& path, size_t step, uint32_t node) const
{
    const BXXmlPath::Step& s = path.GetSteps()[step];
    return s.m_any || NameIs(node, s.m_name);
}

bool BXXmlDocument::PredicateTest(const BXXmlPath& path, size_t step, uint32_t node, uint32_t position) const
{
    const BXXmlPath::Step& s = path.GetSteps()[step];
    switch (s.m_predicate) {
    case BXXmlPath::Predicate::None:
        return true;
    case BXXmlPath::Predicate::Position:
        return position == s.m_position;
    case BXXmlPath::Predicate::Attribute: {
        BXXmlAttributeSpan span{};
        return FindAttributeSpan(node, s.m_predicateName, span);
    }
    case BXXmlPath::Predicate::Child:
        for (uint32_t child = m_nodes[node].m_firstChild; child != 0; child = m_nodes[child].m_nextSibling) {
            if (NameIs(child, s.m_predicateName)) {
                return true;
            }
        }
        return false;
    }
    return false;
}

// Siblings from the parent's first child up to and including node that pass the first step's name test.
// Only a position predicate needs the count, so a plain sibling walk never pays for it.
uint32_t BXXmlDocument::PositionBefore(const BXXmlPath& path, uint32_t node) const
{
    const size_t step = 0;
    if (path.GetSteps()[step].m_predicate != BXXmlPath::Predicate::Position) {
        return 0;
    }
    uint32_t count = 0;
    for (uint32_t sibling = m_nodes[m_nodes[node].m_parent].m_firstChild; sibling != 0;
         sibling = m_nodes[sibling].m_nextSibling) {
        if (NameTest(path, step, sibling)) {
            ++count;
        }
        if (sibling == node) {
            break;
        }
    }
    return count;
}

uint32_t BXXmlDocument::Search(const BXXmlPath& path, uint32_t parent, uint32_t after) const
{
    if (path.IsAbsolute()) {
        return MatchSiblings(path, 0, m_nodes[0].m_firstChild, 0);
    }
    if (path.IsDescendant()) {
        return MatchDescendants(path, parent, after);
    }
    if (after == 0) {
        return MatchSiblings(path, 0, m_nodes[parent].m_firstChild, 0);
    }
    return MatchSiblings(path, 0, m_nodes[after].m_nextSibling, PositionBefore(path, after));
}

// Tries steps[firstStep] on the siblings from first on (countBefore of them already passed its name
// test), descending into each match for the next step and backing out when a branch fails.
uint32_t BXXmlDocument::MatchSiblings(const BXXmlPath& path, size_t firstStep, uint32_t first,
                                      uint32_t countBefore) const
{
    const auto& steps = path.GetSteps();
    std::vector<Frame> frames;
    frames.push_back({first, countBefore});
    while (!frames.empty()) {
        size_t step = firstStep + frames.size() - 1;
        uint32_t node = frames.back().m_node;
        if (node == 0) {
            frames.pop_back();
            if (!frames.empty()) {
                frames.back().m_node = m_nodes[frames.back().m_node].m_nextSibling;
            }
            continue;
        }
        bool matched = false;
        if (NameTest(path, step, node)) {
            uint32_t position = ++frames.back().m_count;
            if (steps[step].m_predicate == BXXmlPath::Predicate::Position && position > steps[step].m_position) {
                frames.back().m_node = 0; // no later sibling can be the N-th
                continue;
            }
            matched = PredicateTest(path, step, node, position);
        }
        if (matched) {
            if (step + 1 == steps.size()) {
                return node;
            }
            frames.push_back({m_nodes[node].m_firstChild, 0});
            continue;
        }
        frames.back().m_node = m_nodes[node].m_nextSibling;
    }
    return 0;
}

// "//": every descendant of parent in document order (after the element after and its own descendants
// come first when it is given) is tried as the first step.
uint32_t BXXmlDocument::MatchDescendants(const BXXmlPath& path, uint32_t parent, uint32_t after) const
{
    const auto& steps = path.GetSteps();
    std::vector<Frame> frames;
    if (after != 0) {
        frames.push_back({after, PositionBefore(path, after)});
        frames.push_back({m_nodes[after].m_firstChild, 0});
    } else {
        frames.push_back({m_nodes[parent].m_firstChild, 0});
    }
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.m_node == 0) {
            frames.pop_back();
            if (!frames.empty()) {
                Frame& up = frames.back();
                up.m_node = m_nodes[up.m_node].m_nextSibling;
            }
            continue;
        }
        uint32_t node = frame.m_node;
        if (NameTest(path, 0, node)) {
            uint32_t position = ++frame.m_count;
            if (PredicateTest(path, 0, node, position)) {
                if (steps.size() == 1) {
                    return node;
                }
                uint32_t found = MatchSiblings(path, 1, m_nodes[node].m_firstChild, 0);
                if (found != 0) {
                    return found;
                }
            }
        }
        frames.push_back({m_nodes[node].m_firstChild, 0});
    }
    return 0;
}
