#pragma once

#include <cstddef>
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
    struct Slot {
        std::string_view name;
        bool used = false;
    };

    // The slot holding the name, or the free one where it would go.
    std::size_t slotOf(std::string_view name) const;
    void grow();

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

} // namespace forgeline
