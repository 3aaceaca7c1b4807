#include "BXXmlPath.h"

namespace {

bool EndsName(BXChar c)
{
    return c == u' ' || c == u'=' || c == u'/' || c == u'[' || c == u']';
}

size_t NameEnd(std::u16string_view path, size_t pos)
{
    while (pos < path.size() && !EndsName(path[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

BXXmlPath::BXXmlPath(std::u16string_view path)
{
    size_t pos = 0;
    if (path.substr(0, 2) == u"//") {
        m_descendant = true;
        pos = 2;
    } else if (path.substr(0, 1) == u"/") {
        m_absolute = true;
        pos = 1;
    }
    for (;;) {
        Step step;
        size_t end = NameEnd(path, pos);
        if (end == pos) {
            return; // empty step
        }
        step.m_name = path.substr(pos, end - pos);
        step.m_any = step.m_name == u"*";
        if (step.m_any) {
            step.m_name = {};
        }
        pos = end;
        if (pos < path.size() && path[pos] == u'[') {
            ++pos;
            bool attribute = pos < path.size() && path[pos] == u'@';
            if (attribute) {
                ++pos;
            }
            size_t nameEnd = NameEnd(path, pos);
            // Only "]" may close a predicate; comparisons such as [@a=1] are not part of the syntax.
            if (nameEnd == pos || nameEnd >= path.size() || path[nameEnd] != u']') {
                return;
            }
            std::u16string_view name = path.substr(pos, nameEnd - pos);
            bool digits = !attribute;
            for (BXChar c : name) {
                digits = digits && c >= u'0' && c <= u'9';
            }
            if (digits) {
                uint64_t value = 0;
                for (BXChar c : name) {
                    value = value * 10 + uint64_t(c - u'0');
                    if (value > 0xFFFFFFFFu) {
                        return;
                    }
                }
                if (value == 0) {
                    return;
                }
                step.m_predicate = Predicate::Position;
                step.m_position = uint32_t(value);
            } else {
                step.m_predicate = attribute ? Predicate::Attribute : Predicate::Child;
                step.m_predicateName = name;
            }
            pos = nameEnd + 1;
        }
        m_steps.push_back(step);
        // A step ends the path unless "/" follows; anything else after it is not part of the path.
        if (pos < path.size() && path[pos] == u'/') {
            ++pos;
            continue;
        }
        break;
    }
    m_valid = true;
}
