Given g
    """
      deeper
    flush
 	left
  
    """
