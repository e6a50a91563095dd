# Runs each program of `programs` (<bin_dir>/<program><suffix>, the suffix
# being .exe on Windows) on examples/<program>/<program>.in in a fresh folder
# <scratch_dir>/<program> and prints the input and the output file.
foreach(program IN LISTS programs)
  set(dir "${scratch_dir}/${program}")
  file(REMOVE_RECURSE "${dir}")
  file(MAKE_DIRECTORY "${dir}")
  file(COPY "${examples_dir}/${program}/${program}.in" DESTINATION "${dir}")
  execute_process(COMMAND "${bin_dir}/${program}${suffix}" WORKING_DIRECTORY "${dir}"
    RESULT_VARIABLE status ERROR_VARIABLE diagnostics)
  file(READ "${dir}/${program}.in" input)
  file(READ "${dir}/${program}.out" output)
  message("== ${bin_dir}/${program}${suffix}, run in ${dir}\n"
          "-- ${program}.in\n${input}-- ${program}.out\n${output}"
          "-- exit status ${status}\n${diagnostics}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} failed on its example")
  endif()
endforeach()
