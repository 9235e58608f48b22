#include "ModelTypes.h"

#include <algorithm>

CCellRect CCellRect::Normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}
