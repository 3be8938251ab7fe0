#pragma once

#include <cstddef>

// Gives the memory of the first `done` bytes from `start`, read for the last
// time, back to the system while the rest are still in use, so that a large
// file's bytes or text and the view's text are not held whole at once. The
// bytes keep their place; only their pages go, whole ones, and must not be
// read again.
void ForgetPagesBefore(const void* start, std::size_t done);

// Gives the heap's free pages back to the system: once a large text's check
// is over, the many small blocks it freed would otherwise stay counted
// beside the view's text.
void ReturnFreeHeapPages();

// Keeps every large block of memory in pages of its own rather than in the
// heap, from now on. Otherwise, once a block larger than the first such ones
// is freed (a large file's bytes), the heap takes the blocks up to that size
// too, and the view's arrays that grow while a large text goes in leave each
// smaller copy behind in it, counted beside the text: a fifth more at 50 MB.
void KeepLargeBlocksOutOfTheHeap();
