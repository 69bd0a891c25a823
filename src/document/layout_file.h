#pragma once
// The file operations on layouts and library blocks. Each returns an error text, empty on
// success, which the calling command shows to the user.

#include <cstddef>
#include <string>
#include <vector>

#include "document/atomic_file.h"
#include "document/layout.h"
#include "document/layout_reader.h"

/// Files larger than this are refused unread; a layout of 10,000 pieces takes about 2 MB.
inline constexpr std::size_t kMaxLayoutFileBytes = 64u * 1024u * 1024u;

/// Saves `layout` under the layout name `name` to `path` (".tdl"). Errors: "Cannot open file: "
/// + path, or "Cannot write file: " + path; the previous file then stays as it was.
std::string WriteLayout(const std::string& path, const Layout& layout, const std::string& name,
                        const RawWrite& rawWrite = {});

/// Reads the layout file at `path` (".tdl", or ".xml" from earlier releases) into `layout` and
/// its name into `name`; see readLayoutText for what is replaced and what is kept. Errors:
/// "Cannot open file: " + path, or "Cannot read file: " + path + a line feed + what is wrong.
/// On an error `layout` and `name` are unchanged. `notes`, when given, receives what the reader
/// let pass (see readLayoutText).
std::string ReadLayout(const std::string& path, Layout& layout, std::string& name,
                       std::vector<ReadNote>* notes = nullptr);

/// Saves the selected pieces and scenery items of `layout` as the block `name`. Error "No pieces
/// or scenery selected" (no file is created), or the errors of WriteLayout.
std::string WriteBlock(const std::string& path, const Layout& layout, const std::string& name,
                       const RawWrite& rawWrite = {});

/// Reads the library block at `path` into `block`. Errors as for ReadLayout; on an error `block`
/// is unchanged.
std::string ReadBlock(const std::string& path, BlockContent& block);
