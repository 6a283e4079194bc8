#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace forgeline {

// Names held as views into text kept elsewhere, for the tens of thousands a paste looks up at
// once: one array of slots, no allocation a name.
class NameSet {
  public:
    // Room for `expected` names before the slots grow.
    explicit NameSet(std::size_t expected);

    bool contains(std::string_view name) const;
    // Whether the name was not there before.
    bool insert(std::string_view name);

  private:
    // The slot holding the name, or the free one where it would go.
    std::size_t slotOf(std::string_view name, std::uint64_t hash) const;
    void grow();

    // A few bits of each slot's name's hash, 0 for a free slot, looked at before the name: a
    // look-up reads the names, kept elsewhere, only where these match.
    std::vector<std::uint32_t> tags_;
    std::vector<std::string_view> names_;
    std::size_t count_ = 0;
};

} // namespace forgeline
