# Run by `cmake --install`: writes the desktop entry naming the program where this install puts
# it (the prefix is only known now), then registers it for its MIME type.
# In: QUORVEL_DESKTOP_TEMPLATE, QUORVEL_DESKTOP_ID, QUORVEL_BINDIR, QUORVEL_DATADIR.
cmake_path(ABSOLUTE_PATH QUORVEL_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE bindir)
set(program "${bindir}/quorvel")

# The Exec quoting of the desktop-entry format: quoted only when a reserved character needs it,
# since some launchers cannot read a quoted program path; % is always doubled.
string(REPLACE "%" "%%" exec "${program}")
if(program MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
# Then the string-value escape of backslashes.
string(REPLACE "\\" "\\\\" QUORVEL_EXEC "${exec}")

cmake_path(ABSOLUTE_PATH QUORVEL_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE datadir)
set(applications "$ENV{DESTDIR}${datadir}/applications")
set(entry "${applications}/${QUORVEL_DESKTOP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${QUORVEL_DESKTOP_TEMPLATE}" "${entry}" @ONLY)

# Without its cache the folder's entries are not offered for their MIME types. A staged install
# (DESTDIR) leaves that to the package's own triggers.
find_program(update_desktop_database update-desktop-database)
if(update_desktop_database AND "$ENV{DESTDIR}" STREQUAL "")
  execute_process(COMMAND "${update_desktop_database}" "${applications}" RESULT_VARIABLE failed)
  if(failed)
    message(WARNING "update-desktop-database ${applications} failed: ${failed}")
  endif()
endif()
