# The folders of src/ from the bottom up, and the folders each may include
# and link to: PUBLIC when its headers include them, PRIVATE when only its
# source files do. A folder uses only folders listed before it.
# cmake/check_layers.cmake holds every #include to this table; src/README.md
# ("Layers") says the same in words.
set(QUARVELIN_LAYERS
    host data parser audio ui state combat possessions interpreter comforts
    script speech text desktop tools app)

set(QUARVELIN_host_PUBLIC)
set(QUARVELIN_host_PRIVATE)

set(QUARVELIN_data_PUBLIC host)
set(QUARVELIN_data_PRIVATE)

set(QUARVELIN_parser_PUBLIC host data)
set(QUARVELIN_parser_PRIVATE)

set(QUARVELIN_audio_PUBLIC data)
set(QUARVELIN_audio_PRIVATE)

set(QUARVELIN_ui_PUBLIC host parser)
set(QUARVELIN_ui_PRIVATE data)

set(QUARVELIN_state_PUBLIC host data parser audio ui)
set(QUARVELIN_state_PRIVATE)

set(QUARVELIN_combat_PUBLIC host data parser ui state)
set(QUARVELIN_combat_PRIVATE)

set(QUARVELIN_possessions_PUBLIC host data ui state)
set(QUARVELIN_possessions_PRIVATE parser)

set(QUARVELIN_interpreter_PUBLIC host data parser audio ui state combat)
set(QUARVELIN_interpreter_PRIVATE possessions)

set(QUARVELIN_comforts_PUBLIC data interpreter)
set(QUARVELIN_comforts_PRIVATE combat state)

set(QUARVELIN_script_PUBLIC host parser audio ui state combat possessions interpreter comforts)
set(QUARVELIN_script_PRIVATE data)

set(QUARVELIN_speech_PUBLIC comforts)
set(QUARVELIN_speech_PRIVATE)

set(QUARVELIN_text_PUBLIC host parser ui state interpreter comforts script)
set(QUARVELIN_text_PRIVATE data combat possessions)

set(QUARVELIN_desktop_PUBLIC host parser audio ui state combat possessions interpreter comforts script speech)
set(QUARVELIN_desktop_PRIVATE data)

set(QUARVELIN_tools_PUBLIC data parser)
set(QUARVELIN_tools_PRIVATE host ui state script)

set(QUARVELIN_app_PUBLIC script desktop)
set(QUARVELIN_app_PRIVATE data comforts text tools)
