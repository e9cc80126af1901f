# One set of warnings for every target of the project.
function(zelvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
