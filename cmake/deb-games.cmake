# Run by cpack on the staged files: Debian keeps games in /usr/games (on
# every user's PATH), while a plain install keeps the program in bin/.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
if(NOT EXISTS "${usr}/bin/velmara")
  message(FATAL_ERROR "velmara is not staged in ${usr}/bin")
endif()
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/velmara" "${usr}/games/velmara")
file(REMOVE_RECURSE "${usr}/bin")
