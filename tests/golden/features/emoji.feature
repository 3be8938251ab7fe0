# language: em
😐 given
😑 not a keyword
📖 outline
🥒 scenario
