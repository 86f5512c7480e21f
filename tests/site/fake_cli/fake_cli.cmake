# scribenta_add_fake_cli(target): puts the build-tool stand-in beside the
# executable of `target` as "scribenta-cli", where the editor looks for the
# real tool. The copy is refreshed whenever the stand-in changes.
set(SCRIBENTA_FAKE_CLI_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/scribenta-cli)

function(scribenta_add_fake_cli target)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${SCRIBENTA_FAKE_CLI_SCRIPT})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${SCRIBENTA_FAKE_CLI_SCRIPT}
            $<TARGET_FILE_DIR:${target}>/scribenta-cli
    VERBATIM)
endfunction()
