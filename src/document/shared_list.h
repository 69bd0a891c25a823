#pragma once
// A list kept for undo in small chunks that successive snapshots share. A snapshot taken after an
// edit of one piece holds a new copy of that piece's chunk and of the page naming it, and points
// at the chunks of the snapshot before it for everything else, so fifty steps on a large layout
// cost little more than the layout itself.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

template <typename T>
class SharedList {
public:
    static constexpr size_t kChunk = 32;  ///< records per chunk
    static constexpr size_t kPage = 64;   ///< chunks per page

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    /// `items` in chunks. A chunk whose records are all `same` as those at the same place of
    /// `base` is shared with `base`, and so is a page whose chunks all are.
    template <typename Same>
    static SharedList share(const std::vector<T>& items, const SharedList& base, Same same) {
        SharedList out;
        out.m_size = items.size();
        const size_t chunks = (items.size() + kChunk - 1) / kChunk;
        for (size_t first = 0; first < chunks; first += kPage) {
            const size_t p = first / kPage;
            const Page* basePage = p < base.m_pages.size() ? base.m_pages[p].get() : nullptr;
            const size_t count = std::min(kPage, chunks - first);
            std::shared_ptr<Page> page;  // made at the first chunk that differs from the base
            for (size_t c = 0; c < count; ++c) {
                const size_t begin = (first + c) * kChunk;
                const size_t end = std::min(begin + kChunk, items.size());
                const std::shared_ptr<const Chunk>* old =
                    basePage != nullptr && c < basePage->size() ? &(*basePage)[c] : nullptr;
                const bool kept = old != nullptr && (*old)->size() == end - begin &&
                                  std::equal(items.begin() + begin, items.begin() + end,
                                             (*old)->begin(), same);
                if (kept && page == nullptr) {
                    continue;
                }
                if (page == nullptr) {
                    // Without a base page no chunk is kept, so this is the page's first chunk.
                    page = basePage != nullptr
                               ? std::make_shared<Page>(basePage->begin(), basePage->begin() + c)
                               : std::make_shared<Page>();
                    page->reserve(count);
                }
                page->push_back(kept ? *old
                                     : std::make_shared<const Chunk>(items.begin() + begin,
                                                                     items.begin() + end));
            }
            if (page == nullptr && basePage != nullptr && basePage->size() == count) {
                out.m_pages.push_back(base.m_pages[p]);
            } else {
                if (page == nullptr) {  // every chunk kept, but the base page held more
                    page = std::make_shared<Page>(basePage->begin(), basePage->begin() + count);
                }
                out.m_pages.push_back(std::move(page));
            }
        }
        return out;
    }

    /// Makes `items` hold the records. A list of the same length has only the records that are
    /// not `same` assigned, which after one edit are few.
    template <typename Same>
    void restoreInto(std::vector<T>& items, Same same) const {
        if (items.size() != m_size) {
            items = toVector();
            return;
        }
        size_t i = 0;
        for (const auto& page : m_pages) {
            for (const auto& chunk : *page) {
                for (const T& record : *chunk) {
                    if (!same(items[i], record)) {
                        items[i] = record;
                    }
                    ++i;
                }
            }
        }
    }

    /// The records, in order, as a plain list.
    std::vector<T> toVector() const {
        std::vector<T> out;
        out.reserve(m_size);
        for (const auto& page : m_pages) {
            for (const auto& chunk : *page) {
                out.insert(out.end(), chunk->begin(), chunk->end());
            }
        }
        return out;
    }

private:
    using Chunk = std::vector<T>;
    using Page = std::vector<std::shared_ptr<const Chunk>>;
    std::vector<std::shared_ptr<const Page>> m_pages;
    size_t m_size = 0;
};
