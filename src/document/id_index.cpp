#include "document/id_index.h"

namespace {

/// Fibonacci hashing spreads consecutive ids, the usual case, evenly over the buckets.
size_t bucketOf(uint32_t id, size_t mask) {
    return static_cast<size_t>((static_cast<uint64_t>(id) * 0x9E3779B97F4A7C15ull) >> 32) & mask;
}

}  // namespace

void IdIndex::reset(size_t count) const {
    size_t capacity = 64;
    while (capacity < 2 * count) {
        capacity *= 2;
    }
    m_buckets.assign(capacity, Bucket{});
}

void IdIndex::insert(uint32_t id, size_t slot) const {
    const size_t mask = m_buckets.size() - 1;
    for (size_t b = bucketOf(id, mask);; b = (b + 1) & mask) {
        Bucket& bucket = m_buckets[b];
        if (bucket.slotPlusOne == 0) {
            bucket = {id, static_cast<uint32_t>(slot + 1)};
            return;
        }
        if (bucket.id == id) {
            return;  // a repeated id: the first holder keeps it
        }
    }
}

size_t IdIndex::lookup(uint32_t id) const {
    if (m_buckets.empty()) {
        return kAbsent;
    }
    const size_t mask = m_buckets.size() - 1;
    for (size_t b = bucketOf(id, mask);; b = (b + 1) & mask) {
        const Bucket& bucket = m_buckets[b];
        if (bucket.slotPlusOne == 0) {
            return kAbsent;
        }
        if (bucket.id == id) {
            return bucket.slotPlusOne - 1;
        }
    }
}
