#include "editor/NameSet.h"

#include <bit>
#include <functional>

namespace forgeline {

NameSet::NameSet(std::size_t expected) : slots_(std::bit_ceil(2 * expected + 2)) {}

std::size_t NameSet::slotOf(std::string_view name) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(name)&mask;
    // At most half the slots are used, so a free one always ends the search.
    while (slots_[slot].used && slots_[slot].name != name) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

bool NameSet::contains(std::string_view name) const {
    return slots_[slotOf(name)].used;
}

bool NameSet::insert(std::string_view name) {
    Slot& slot = slots_[slotOf(name)];
    if (slot.used) {
        return false;
    }
    slot = {name, true};
    if (2 * ++count_ > slots_.size()) {
        grow();
    }
    return true;
}

void NameSet::grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.used) {
            slots_[slotOf(slot.name)] = slot;
        }
    }
}

} // namespace forgeline
