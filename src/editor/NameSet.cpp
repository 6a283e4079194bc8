#include "editor/NameSet.h"

#include <bit>

namespace forgeline {
namespace {

// FNV-1a, folded: names are short, and a general-purpose hash costs more than the look-up.
std::uint64_t hashOf(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash ^ hash >> 29;
}

// The low bits choose the slot, the high ones make the tag, never 0.
std::uint32_t tagOf(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> 32) | 1;
}

} // namespace

NameSet::NameSet(std::size_t expected)
    : tags_(std::bit_ceil(2 * expected + 2)), names_(tags_.size()) {}

std::size_t NameSet::slotOf(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = tags_.size() - 1;
    const std::uint32_t tag = tagOf(hash);
    auto slot = static_cast<std::size_t>(hash) & mask;
    // At most half the slots are used, so a free one always ends the search.
    while (tags_[slot] != 0 && (tags_[slot] != tag || names_[slot] != name)) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

bool NameSet::contains(std::string_view name) const {
    return tags_[slotOf(name, hashOf(name))] != 0;
}

bool NameSet::insert(std::string_view name) {
    const std::uint64_t hash = hashOf(name);
    const std::size_t slot = slotOf(name, hash);
    if (tags_[slot] != 0) {
        return false;
    }
    tags_[slot] = tagOf(hash);
    names_[slot] = name;
    if (2 * ++count_ > tags_.size()) {
        grow();
    }
    return true;
}

void NameSet::grow() {
    std::vector<std::uint32_t> oldTags(2 * tags_.size());
    std::vector<std::string_view> oldNames(oldTags.size());
    oldTags.swap(tags_);
    oldNames.swap(names_);
    for (std::size_t i = 0; i < oldTags.size(); ++i) {
        if (oldTags[i] != 0) {
            const std::size_t slot = slotOf(oldNames[i], hashOf(oldNames[i]));
            tags_[slot] = oldTags[i];
            names_[slot] = oldNames[i];
        }
    }
}

} // namespace forgeline
