#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace fennick {

// An allocator that leaves the memory of new elements as it is: a conversion writes every byte
// it keeps, and clearing a large output first would cost about as much as converting it.
template <class T>
class UninitializedAllocator : public std::allocator<T> {
public:
    template <class U>
    void construct(U* element) noexcept
    {
        ::new (static_cast<void*>(element)) U;
    }

    template <class U, class... Arguments>
    void construct(U* element, Arguments&&... arguments)
    {
        ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
    }
};

// UTF-8 text as a conversion writes it.
using Utf8Bytes = std::vector<unsigned char, UninitializedAllocator<unsigned char>>;

} // namespace fennick
