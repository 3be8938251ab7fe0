Given g
      """
   