// MakeObjectName: replacing the characters a system object's name must not hold.
#include "common/ObjectName.h"

#include "common/ShiftJis.h"

std::string MakeObjectName(std::string_view name)
{
    std::string result;
    result.reserve(name.size() < ObjectNameLimit ? name.size() : ObjectNameLimit);
    for (size_t at = 0; at < name.size();) {
        const size_t length = SjisCharLength(name, at);
        if (result.size() + length > ObjectNameLimit)
            break;
        if (length == 1 && (name[at] == '\\' || name[at] == '.' || name[at] == ' '))
            result += '_';
        else
            result.append(name.substr(at, length));
        at += length;
    }
    return result;
}
