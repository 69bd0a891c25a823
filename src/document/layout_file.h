#pragma once
// The file operations on layouts and library blocks. Each returns an error text, empty on
// success, which the calling command shows to the user.

#include <cstddef>
#include <string>
#include <vector>
#include <string_view>

#include "document/atomic_file.h"
#include "document/layout.h"
#include "document/layout_reader.h"

/// The largest layout or block file: Save refuses to write more and Open refuses larger files
/// unread, so whatever Save writes Open can read. A layout of 10,000 pieces takes about 2 MB.
inline constexpr std::size_t kMaxLayoutFileBytes = 256u * 1024u * 1024u;

/// Saves the text of a layout or block file through saveFileAtomically, unless it is larger
/// than `maxBytes`: then nothing is written and the error says how large it is.
std::string saveDocumentText(const std::string& path, std::string_view text,
                             const RawWrite& rawWrite = {},
                             std::size_t maxBytes = kMaxLayoutFileBytes);

/// The text of the layout file for `layout` named `name` in `text`, or, leaving `text` alone, why
/// Open could not read that text back (a position edited beyond the readable range, say).
std::string checkedLayoutText(const Layout& layout, const std::string& name, std::string& text);

/// Saves `layout` under the layout name `name` to `path` (".tdl"). Errors: the refusal of
/// checkedLayoutText (nothing is written), or those of saveDocumentText; the previous file then
/// stays as it was.
std::string WriteLayout(const std::string& path, const Layout& layout, const std::string& name,
                        const RawWrite& rawWrite = {});

/// Reads the layout file at `path` (".tdl", or ".xml" from earlier releases) into `layout` and
/// its name into `name`; see readLayoutText for what is replaced and what is kept. Errors:
/// "Cannot open file: " + path, or "Cannot read file: " + path + a line feed + what is wrong.
/// On an error `layout` and `name` are unchanged. `notes`, when given, receives what the reader
/// let pass (see readLayoutText).
std::string ReadLayout(const std::string& path, Layout& layout, std::string& name,
                       std::vector<ReadNote>* notes = nullptr, const ReadProgress& progress = {});

/// Saves the selected pieces and scenery items of `layout` as the block `name`. Error "No pieces
/// or scenery selected" (no file is created), a block text that would not read back (nothing is
/// written), or the errors of saveDocumentText.
std::string WriteBlock(const std::string& path, const Layout& layout, const std::string& name,
                       const RawWrite& rawWrite = {});

/// Reads the library block at `path` into `block`. Errors as for ReadLayout; on an error `block`
/// is unchanged.
std::string ReadBlock(const std::string& path, BlockContent& block);
