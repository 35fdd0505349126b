#include "StoredList.h"

namespace varnolt {

int StoredListLength(int count, int first, const std::function<bool(int index)>& isStored) {
    int lastStored = -1;  // position (0-based) of the last stored item seen
    for (int position = 0; position < count; ++position) {
        if (isStored(first + position)) {
            lastStored = position;
        } else if (position - lastStored >= kMissingRunLimit) {
            return lastStored + 1;
        }
    }
    return count < 0 ? 0 : count;
}

}  // namespace varnolt
