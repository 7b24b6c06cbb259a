#include "core/messages.h"

#include <string>

namespace korvel {

std::string messageSkippedPoints(long long count) {
    return "有" + std::to_string(count) + "个点无法计算，已略去";
}

}  // namespace korvel
