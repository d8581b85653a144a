#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "core/import/growing_text.h"
#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// Reads the bytes of one GPX file into the store, through their GPX text (see prepareGpxText).
///
/// Tracks and routes become trips, their points the trips' points; a name element names the
/// current trip, ele and time elements fill the current point. Elements are recognised by
/// their upper-cased names; an element's content runs to its closing tag spelled exactly as
/// the opening one, or to the end of the enclosing content when there is none. A failure (a
/// time that does not convert, a number beyond a double) is reported and abandons the rest of
/// the element content being read; reading goes on after it in the enclosing content. A track
/// or route point without a lat or a lon attribute is not stored: it is reported, its content
/// is skipped and reading goes on after it. Progress counts the characters of text read out
/// of all of them. A text that cannot be given memory is failure 7, and nothing is read.
void LeggiGpx(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress = {});

/// The line of the file that the GPX text's character at `at` came from (see GpxTextLines).
using GpxLineOf = std::function<std::int64_t(std::size_t at)>;

/// Reads a GPX text already made of a file's bytes (by prepareGpxText's rules) into the store,
/// as LeggiGpx does; `lineOf` is asked only when a failure is reported.
void LeggiGpxText(Percorsi& store, std::string_view text, const GpxLineOf& lineOf,
                  const FailureSink& failures, const ProgressFn& progress = {});

/// The same while the text is still being made: what is read is the same wherever the text
/// was when the reader looked; progress counts out of the text's expected size.
void LeggiGpxText(Percorsi& store, GrowingText& text, const GpxLineOf& lineOf,
                  const FailureSink& failures, const ProgressFn& progress = {});

}  // namespace vianora
