// Tables indexed from 0 in every dimension, with an inclusive upper bound per
// dimension, resized in place keeping what fits. Element 0 is kept but unused by
// the program's data. An unallocated table has no elements and UBound -1.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace Global {

template <class T, std::size_t Rank>
class Table {
public:
    Table() { bounds_.fill(-1); }

    bool Allocated() const { return !data_.empty(); }

    // Upper bound of a dimension (0-based dimension number), -1 when unallocated.
    int UBound(std::size_t dim = Rank - 1) const { return bounds_.at(dim); }

    // Resizes to the given upper bounds keeping every element whose indices still fit;
    // new elements are value-initialised (zero).
    template <class... Ub>
    void ReDim(Ub... ub) {
        static_assert(sizeof...(Ub) == Rank);
        std::array<int, Rank> nb{static_cast<int>(ub)...};
        for (int b : nb)
            if (b < 0) throw std::length_error("table bound below 0");
        if constexpr (Rank == 1) {
            // Same layout at any length: grow or shrink in place.
            data_.resize(static_cast<std::size_t>(nb[0]) + 1);
            bounds_ = nb;
            return;
        }
        std::vector<T> fresh(Count(nb));
        if (Allocated()) CopyCommon(fresh, nb);
        data_.swap(fresh);
        bounds_ = nb;
    }

    void Erase() {
        data_.clear();
        bounds_.fill(-1);
    }

    template <class... Ix>
    T& operator()(Ix... ix) {
        return data_[Offset(bounds_, {static_cast<int>(ix)...}, true)];
    }
    template <class... Ix>
    const T& operator()(Ix... ix) const {
        return data_[Offset(bounds_, {static_cast<int>(ix)...}, true)];
    }

private:
    static std::size_t Count(const std::array<int, Rank>& b) {
        std::size_t n = 1;
        for (int x : b) n *= static_cast<std::size_t>(x) + 1;
        return n;
    }

    static std::size_t Offset(const std::array<int, Rank>& b, const std::array<int, Rank>& ix,
                              bool check) {
        std::size_t off = 0;
        for (std::size_t d = 0; d < Rank; ++d) {
            if (check && (ix[d] < 0 || ix[d] > b[d])) throw std::out_of_range("table index out of range");
            off = off * (static_cast<std::size_t>(b[d]) + 1) + static_cast<std::size_t>(ix[d]);
        }
        return off;
    }

    void CopyCommon(std::vector<T>& fresh, const std::array<int, Rank>& nb) const {
        std::array<int, Rank> common{};
        for (std::size_t d = 0; d < Rank; ++d) common[d] = std::min(bounds_[d], nb[d]);
        std::array<int, Rank> ix{};
        // Odometer walk over the indices both shapes share.
        for (;;) {
            fresh[Offset(nb, ix, false)] = data_[Offset(bounds_, ix, false)];
            std::size_t d = Rank;
            while (d > 0) {
                --d;
                if (ix[d] < common[d]) {
                    ++ix[d];
                    break;
                }
                ix[d] = 0;
                if (d == 0) return;
            }
        }
    }

    std::array<int, Rank> bounds_;
    std::vector<T> data_;
};

template <class T>
using Table1 = Table<T, 1>;
template <class T>
using Table2 = Table<T, 2>;
template <class T>
using Table3 = Table<T, 3>;

}  // namespace Global
