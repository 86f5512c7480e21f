# The update checker: manifest reading, version precedence, the update
# dialog's state and the automatic checks. No Qt: it reaches the network,
# timers and the browser only through the OApp's service slots.
add_library(ostrel_update STATIC
    ${CMAKE_CURRENT_LIST_DIR}/version_compare.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform_key.cpp
    ${CMAKE_CURRENT_LIST_DIR}/update_manifest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/update_check.cpp
    ${CMAKE_CURRENT_LIST_DIR}/update_checker.cpp)
target_include_directories(ostrel_update PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(ostrel_update
    PUBLIC ostrel_engine ostrel_services nlohmann_json::nlohmann_json
    PRIVATE scribenta_warnings)
