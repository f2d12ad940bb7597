# Compiler settings shared by every Vodari target.
#
# Sources are UTF-8; the program's text is GBK (code page 936), so string
# literals are stored as GBK bytes.

function(vodari_compile_options target)
  if(MSVC)
    # /source-charset reads UTF-8; /execution-charset stores literals in GBK.
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.936 /W4)
  else()
    target_compile_options(${target} PRIVATE
      -finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
  endif()
endfunction()

# A statically linked runtime: the program and its tests need no MinGW DLLs.
function(vodari_static_runtime target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  elseif(MSVC)
    set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  endif()
endfunction()
