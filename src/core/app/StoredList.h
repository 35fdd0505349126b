#pragma once

#include <functional>

namespace varnolt {

// How many items of a stored list (a count key plus numbered items) to read.
// Items up to the count are read even where some are missing (they take their
// defaults), but a hand-edited count far above what is stored must not make a
// reader walk billions of empty slots: a run of kMissingRunLimit missing items
// ends the list at the last stored one. A count below 0 is an empty list.
constexpr int kMissingRunLimit = 64;

// isStored(i) tells whether item i (first..first+count-1) has any stored value.
int StoredListLength(int count, int first, const std::function<bool(int index)>& isStored);

}  // namespace varnolt
