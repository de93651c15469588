#pragma once
// The few file operations that differ between Linux and Windows, behind one
// interface so the rest of the core stays plain standard C++. Every name is
// UTF-8 (see file_path.h); failures come back as a readable reason.

#include <cstdio>
#include <string>
#include <vector>

namespace tarnwick::platform {

// fopen for a UTF-8 name.
std::FILE* open_file(const std::string& path, const char* mode);

// The whole file into `bytes`, in one read into a buffer of the file's size
// where the system tells the size (then on to the end, for a file still
// growing). False with `error` set to the system's error number (0 when it
// gives none) when the file cannot be opened or read; a folder fails on
// reading.
bool read_whole_file(const std::string& path, std::string& bytes, int& error);

// Creates a new, empty file with a unique name in the folder of `target`,
// open for binary writing. On Linux it takes the permissions of `target`
// when that exists (0644 otherwise). Null with `reason` set on failure.
std::FILE* create_file_beside(const std::string& target, std::string& temp_path, std::string& reason);

// Pushes what the system holds of an open file's bytes to the disk.
bool flush_to_disk(std::FILE* file, std::string& reason);

// Puts `from` in place of `to` in one step: a reader sees either the old
// file or the new one, never a mix or nothing.
bool replace_file(const std::string& from, const std::string& to, std::string& reason);

// The program's arguments (without the program name) in UTF-8: on Windows
// read from the wide command line, since argv holds the local code page.
std::vector<std::string> utf8_arguments(int argc, char** argv);

// The folder holding the running program, in UTF-8; `argv0` when the system
// cannot tell.
std::string program_folder(const char* argv0);

// Standard output and error pass bytes unchanged (no LF to CR LF on Windows),
// so a command prints the same bytes everywhere.
void use_binary_standard_streams();

// For a short run that reads a whole world on several threads: memory freed
// is kept for the next allocation instead of being handed back to the
// system and mapped again, which costs more than the reading itself (each
// unmapping stops every other thread). A no-op where the C library has no
// such setting.
void keep_freed_memory();

// For a run that reads and checks a whole world: the main heap is taken in
// large pages where the system offers them on request (Linux's transparent
// huge pages). A world's records, texts and checks touch tens of megabytes,
// and the system's work for each page touched the first time costs more
// than reading it; a large page is one such step for 512 small ones. Call
// after keep_freed_memory, before the world is read. A no-op elsewhere.
void use_large_pages_for_heap();

}  // namespace tarnwick::platform
