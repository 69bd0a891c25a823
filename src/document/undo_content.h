#pragma once
// Between the document's content and an undo step's shared form of it.

#include "document/layout.h"

/// The content of `content` as an undo step: pieces and scenery items share every chunk that
/// is unchanged against `base`; the other lists and the grade state are copied.
SharedContent shareContent(LayoutContent& content, const SharedContent& base);

/// Replaces `content` with the step's content.
void restoreContent(LayoutContent& content, SharedContent&& shared);
