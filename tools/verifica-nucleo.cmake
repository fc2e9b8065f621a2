# Fails when a source of the core (core/) includes a Qt header: the core is
# the game without a screen, shared by qelp, simula and the tests, and
# builds without Qt. Run at every build, before the core is compiled.
#   cmake -DNUCLEO=<core folder> -DMARCA=<stamp file> -P verifica-nucleo.cmake
file(GLOB_RECURSE fontes ${NUCLEO}/*.h ${NUCLEO}/*.hpp ${NUCLEO}/*.cpp)
set(erros "")
foreach(fonte IN LISTS fontes)
  file(STRINGS ${fonte} linhas REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt|Qt)")
  foreach(linha IN LISTS linhas)
    file(RELATIVE_PATH nome ${NUCLEO}/.. ${fonte})
    string(STRIP "${linha}" linha)
    string(APPEND erros "  ${nome}: ${linha}\n")
  endforeach()
endforeach()
if(erros)
  message(FATAL_ERROR "O núcleo (core/) não pode usar Qt; mova este código para uma interface "
                      "(app/, view/, tutor/, sound/):\n${erros}")
endif()
file(TOUCH ${MARCA})
