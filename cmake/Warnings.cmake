# One set of warnings for every target of the project. Implicit narrowing and
# shadowed names are warned about too; the test command turns them into errors.
function(zelvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wshadow)
endfunction()
